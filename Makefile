# Thin wrapper over CMake: `make run` builds and starts the program, `make test` builds and runs every test.
# The checked builds live in their own folders: `make sanitize` (build-asan), `make fuzz` (build-fuzz),
# `make lint` (reads build/compile_commands.json).
# Installing and packaging: `make install PREFIX=/usr/local` (honours DESTDIR), `make package`
# (build/vhfcom_<version>_<arch>.deb), `make package-check` (both checked, scripts/check-package).
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 20
PREFIX ?= /usr/local
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")
STAMP := $(BUILD_DIR)/.configured
CHECKED := -DVHFCOM_BUILD_BENCH=OFF -DVHFCOM_BUILD_TOOLS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Sanitizer settings for every test program: leaks are findings, undefined
# behaviour stops the program, and a report names the source line.
export ASAN_OPTIONS := detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: all deps build run test bench sanitize fuzz lint install package package-check clean

all: build

deps:
	@scripts/install-deps

$(STAMP): CMakeLists.txt | deps
	cmake -S . -B $(BUILD_DIR) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo
	@touch $@

build: deps $(STAMP)
	cmake --build $(BUILD_DIR) --parallel

run: build
	$(BUILD_DIR)/vhfcom

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --parallel $$(nproc)

bench: build
	@bench/emulator_cpu.sh $(BUILD_DIR)/vhfcom
	@for b in $(BUILD_DIR)/bench/bench_*; do echo "== $$b"; $$b; done

# The whole test suite under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	@scripts/install-deps sanitize
	cmake -S . -B $(ASAN_DIR) -G "$(GENERATOR)" $(CHECKED) -DVHFCOM_SANITIZE=ON
	cmake --build $(ASAN_DIR) --parallel
	cd $(ASAN_DIR) && ctest --output-on-failure --parallel $$(nproc)

# Every fuzz target for FUZZ_SECONDS, starting from its seed corpus in fuzz/corpus/.
fuzz:
	@scripts/install-deps fuzz
	cmake -S . -B $(FUZZ_DIR) -G "$(GENERATOR)" $(CHECKED) -DVHFCOM_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR) --target fuzz_targets --parallel
	scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

# clang-tidy (checks in .clang-tidy) and cppcheck over src/.
lint: build
	@scripts/install-deps lint
	scripts/lint $(BUILD_DIR)

# The rules are in packaging/CMakeLists.txt.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The .deb (CPack; dpkg-shlibdeps finds the library dependencies).
package: build
	@scripts/install-deps package
	cd $(BUILD_DIR) && cpack

# The install tree and the package through their validators, then the unpacked program.
package-check: build
	@scripts/install-deps package
	scripts/check-package $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
