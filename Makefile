# Thin wrapper over CMake: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD_DIR ?= build
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")
STAMP := $(BUILD_DIR)/.configured

.PHONY: all deps build run test bench clean

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

clean:
	rm -rf $(BUILD_DIR)
