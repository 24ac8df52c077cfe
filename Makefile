# SPDX-License-Identifier: MIT
BUILD_DIR ?= build
export DUIFW_BUILD_DIR := $(abspath $(BUILD_DIR))

.PHONY: all build run test bench clean

all: build

build:
	@scripts/setup.sh

run: build
	@scripts/run.sh

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2

bench: build
	@scripts/bench.sh

clean:
	rm -rf $(BUILD_DIR)
