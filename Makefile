# Quick start: `make test` builds every configuration and runs every suite;
# `make run` shows the saver under Wine; `make dist` makes the release files in
# dist/. Each sets up the machine first.
PRESETS := native windows-x86 windows-x64 windows-x86-release
JOBS ?= $(shell nproc)

.PHONY: test run dist setup build $(addprefix build-,$(PRESETS)) $(addprefix test-,$(PRESETS)) clean

test: setup
	@$(MAKE) --no-print-directory $(addprefix test-,$(PRESETS))

setup:
	@bash tools/setup.sh

build: setup $(addprefix build-,$(PRESETS))

$(addprefix build-,$(PRESETS)): build-%:
	cmake --preset $* >/dev/null
	cmake --build --preset $* -j $(JOBS)

$(addprefix test-,$(PRESETS)): test-%: build-%
	ctest --preset $* -j $(JOBS)

# The release build also tests what `make dist` ships, so the test run makes it.
test-windows-x86-release: dist

# The stripped 32-bit saver zipped with its read-me, and its installer, in dist/;
# beside them the Debian package of the XScreenSaver hack.
dist: setup
	cmake --preset windows-x86-release >/dev/null
	cmake --build --preset windows-x86-release -j $(JOBS) --target dist
	cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS) --target dist_deb
	@ls -l dist

# The product (windows-x86) full screen under Wine: see tools/run-saver.sh.
run: setup
	cmake --preset windows-x86 >/dev/null
	cmake --build --preset windows-x86 -j $(JOBS) --target quellora
	bash tools/run-saver.sh

clean:
	rm -rf build dist
