# The two everyday commands: `make run` and `make test`; `make bench` measures.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
GENERATOR ?= Ninja

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# The fuzz targets are built here, before the tests run, not inside them.
test: build
	@cmake --build $(BUILD_DIR) --target fuzz_targets
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest -j2 --output-on-failure

run: build
	@scripts/run-program $(BUILD_DIR)

# An optimised build of its own; the generated books are kept in it between runs.
bench: deps
	@cmake -S . -B $(BENCH_DIR) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH_DIR) --target kestrune-bench kestrune-first-page kestrune-cli
	@cd $(BENCH_DIR) && bench/kestrune-bench --data bench-data

clean:
	@rm -rf $(BUILD_DIR)
