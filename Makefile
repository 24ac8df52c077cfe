# SPDX-License-Identifier: MIT
BUILD_DIR ?= build
SANITIZE_BUILD_DIR ?= build-sanitize
export DUIFW_BUILD_DIR := $(abspath $(BUILD_DIR))

.PHONY: all build run test check-sanitize bench clean

all: build

build:
	@scripts/setup.sh

run: build
	@scripts/run.sh

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in its own tree.
check-sanitize: build
	DUIFW_SANITIZE_DIR=$(abspath $(SANITIZE_BUILD_DIR)) scripts/check-sanitize.sh

bench: build
	@scripts/bench.sh

clean:
	rm -rf $(BUILD_DIR)
