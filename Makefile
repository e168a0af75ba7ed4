# Quick start: `make test` builds every configuration and runs every suite;
# `make run` shows the saver under Wine; `make dist` makes the release files in
# dist/. Each sets up the machine first.
#
# A machine that runs no 32-bit x86 code natively (or any machine with
# QUELLORA_NO_X86=1) runs the Windows suites in the 64-bit builds, builds the
# 32-bit ones and checks them without running them, and runs the 32-bit
# product once under the emulator that tools/setup.sh registers.
PRESETS := native windows-x86 windows-x64 windows-x86-release windows-x64-release
JOBS ?= $(shell nproc)
# "with" or "without" native 32-bit code; asked only by the targets that need it.
x86 = $(shell bash tools/x86-code.sh --runs-native && echo with || echo without)

.PHONY: test run dist setup build clean test-with-x86 test-without-x86 x86-substitutes \
        $(addprefix build-,$(PRESETS)) $(addprefix test-,$(PRESETS)) \
        checks-windows-x86 checks-windows-x86-release emulated-windows-x86 run-windows-x86 run-windows-x64

test: setup
	@$(MAKE) --no-print-directory test-$(x86)-x86

test-with-x86: $(addprefix test-,native windows-x86 windows-x64 windows-x86-release)

test-without-x86: x86-substitutes test-native test-windows-x64 test-windows-x64-release \
                  checks-windows-x86 checks-windows-x86-release emulated-windows-x86

setup:
	@bash tools/setup.sh

build: setup $(addprefix build-,native windows-x86 windows-x64 windows-x86-release)

$(addprefix build-,$(PRESETS)): build-%:
	cmake --preset $* >/dev/null
	cmake --build --preset $* -j $(JOBS)

$(addprefix test-,$(PRESETS)): test-%: build-%
	ctest --preset $* -j $(JOBS)

# The release build also tests what `make dist` ships, so the test run makes it.
test-windows-x86-release: dist

# Without 32-bit code: which suites run where instead, said once before they run.
x86-substitutes:
	@bash tools/x86-substitutes.sh

# The 32-bit builds' checks that run nothing: imports, size, sections, the zip.
checks-windows-x86: build-windows-x86
	ctest --preset windows-x86 -j $(JOBS) -LE wine
checks-windows-x86-release: dist
	ctest --preset windows-x86-release -j $(JOBS) -LE wine

# The 32-bit product installed, run, set up and removed under the emulator,
# with the time each step took.
emulated-windows-x86: dist
	ctest --test-dir build/windows-x86-release -L emulated -V

# The stripped 32-bit saver zipped with its read-me, and its installer, in dist/;
# beside them the Debian package of the XScreenSaver hack.
dist: setup
	cmake --preset windows-x86-release >/dev/null
	cmake --build --preset windows-x86-release -j $(JOBS) --target dist
	cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS) --target dist_deb
	@ls -l dist

# The saver full screen under Wine (see tools/run-saver.sh): the product
# (windows-x86), or the 64-bit build where 32-bit code does not run natively.
run: setup
	@$(MAKE) --no-print-directory run-windows-$(if $(filter with,$(x86)),x86,x64)

run-windows-x86 run-windows-x64: run-%:
	cmake --preset $* >/dev/null
	cmake --build --preset $* -j $(JOBS) --target quellora
	bash tools/run-saver.sh $*

clean:
	rm -rf build dist
