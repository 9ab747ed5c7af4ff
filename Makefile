# The two everyday commands: `make run` and `make test`.
BUILD_DIR ?= build
GENERATOR ?= Ninja

.PHONY: all deps configure build test run clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G $(GENERATOR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

run: build
	@scripts/run-program $(BUILD_DIR)

clean:
	@rm -rf $(BUILD_DIR)
