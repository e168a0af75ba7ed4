# Quick start: `make test` builds all three configurations and runs every suite;
# `make run` shows the saver under Wine. Both set up the machine first.
PRESETS := native windows-x86 windows-x64
JOBS ?= $(shell nproc)

.PHONY: test run setup build $(addprefix build-,$(PRESETS)) $(addprefix test-,$(PRESETS)) clean

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

# The product (windows-x86) full screen under Wine: see tools/run-saver.sh.
run: setup
	cmake --preset windows-x86 >/dev/null
	cmake --build --preset windows-x86 -j $(JOBS) --target quellora
	bash tools/run-saver.sh

clean:
	rm -rf build
