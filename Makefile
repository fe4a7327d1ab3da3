# The two commands of the README. Both install what is missing first.
BUILD_DIR := build
TEST_DIR := build-test
JOBS := $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

.PHONY: play test deps build build-test

play: build
	@scripts/run-game $(BUILD_DIR)/ninefold

test: build-test
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNINEFOLD_TESTS=OFF
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

build-test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DNINEFOLD_SANITIZE=ON -DNINEFOLD_WERROR=ON
	cmake --build $(TEST_DIR) --parallel $(JOBS)
