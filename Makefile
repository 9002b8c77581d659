# Thin wrapper over CMake and its presets (CMakePresets.json): `make run`
# builds the program alone and starts it, `make test` builds everything and
# runs every test. The checked builds live in their own folders: `make
# sanitize` (build-asan), `make fuzz` (build-fuzz), `make lint` (reads
# build/compile_commands.json). Installing and packaging, which build only
# what the package holds: `make install PREFIX=/usr/local` (honours DESTDIR),
# `make package` (build/vhfcom_<version>_<arch>.deb), `make package-check`
# (both checked, scripts/check-package).
# `make soak` is the nightly run of the emulated firmware (SOAK_TICKS ticks,
# about half an hour).
BUILD_DIR := build
PREFIX ?= /usr/local
# What an installation and the package hold: the program, the simulator and
# the package's data (compressed man pages and changelog); no tests, no bench.
PACKAGE_TARGETS := vhfcom transceiver_sim vhfcom_compressed_files
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 20
# Ticks of scripted time `make soak` runs the firmware for (10^8 ticks are
# 23 days of use), and its random seed (a new one each run when empty).
SOAK_TICKS ?= 100000000
SOAK_SEED ?=
STAMP := $(BUILD_DIR)/.configured

# Sanitizer settings for every test program: leaks are findings, undefined
# behaviour stops the program, and a report names the source line.
export ASAN_OPTIONS := detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: all deps build program run test test-shuffled bench soak sanitize fuzz lint install package package-check clean

all: build

deps:
	@scripts/install-deps

$(STAMP): CMakeLists.txt CMakePresets.json | deps
	cmake --preset default
	@touch $@

# The program and what it needs, nothing else.
program: deps $(STAMP)
	cmake --build --preset program

build: deps $(STAMP)
	cmake --build --preset default

run: program
	$(BUILD_DIR)/vhfcom

test: build
	ctest --preset default --parallel $$(nproc)

# Every test program again with its tests in random order, a few times over,
# so that no test leans on what an earlier one left behind.
test-shuffled: build
	scripts/run-shuffled $(BUILD_DIR)

bench: build
	@bench/side_by_side_cpu.sh $(BUILD_DIR)
	@bench/port_wait_cpu.sh $(BUILD_DIR)/vhfcom
	@bench/idle_tick_instructions.sh $(BUILD_DIR)
	@bench/startup_and_memory.sh $(BUILD_DIR)
	@$(BUILD_DIR)/bench/bench_live_view_latency $(BUILD_DIR)
	@$(BUILD_DIR)/bench/bench_live_view_viewers $(BUILD_DIR)
	@for b in $(BUILD_DIR)/bench/bench_*; do case "$${b##*/}" in bench_bare_window|bench_live_view_*) ;; *) echo "== $$b"; $$b;; esac; done

# The emulated firmware under random use, its rules checked on every tick and
# poll step; fails when one broke. Not part of `make test`: it runs for long.
soak: deps $(STAMP)
	cmake --build --preset default --target bench_firmware_soak
	$(BUILD_DIR)/bench/bench_firmware_soak $(SOAK_TICKS) $(SOAK_SEED)

# The whole test suite under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	@scripts/install-deps sanitize
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize --parallel $$(nproc)

# Every fuzz target for FUZZ_SECONDS, starting from its seed corpus in fuzz/corpus/.
fuzz:
	@scripts/install-deps fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# clang-tidy (checks in .clang-tidy), cppcheck, the layering rule and clang-format.
lint: build
	@scripts/install-deps lint
	scripts/lint $(BUILD_DIR)

# The rules are in packaging/CMakeLists.txt.
install: deps $(STAMP)
	cmake --build $(BUILD_DIR) --target $(PACKAGE_TARGETS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The .deb (CPack; dpkg-shlibdeps finds the library dependencies). CPack
# builds nothing itself (CMAKE_SKIP_INSTALL_ALL_DEPENDENCY).
package: deps $(STAMP)
	@scripts/install-deps package
	cmake --build $(BUILD_DIR) --target $(PACKAGE_TARGETS)
	cd $(BUILD_DIR) && cpack

# The install tree and the package through their validators, then the unpacked program.
package-check: build
	@scripts/install-deps package
	scripts/check-package $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz build-release
