# Two commands set up everything on a fresh Debian machine:
#   make test   installs what the build and the tests need, builds, runs every test
#   make bench  builds in Release and runs the benchmarks
SHELL := /bin/bash
JOBS ?= $(shell nproc)
TEST_DIR := build/test
RELEASE_DIR := build/release

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps test bench clean

all: test

deps:
	@missing=""; \
	for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  $(SUDO) apt-get update -qq && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	else \
	  echo "All needed Debian packages are installed."; \
	fi

test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWINKIRVO_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DWINKIRVO_BENCH=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	@for b in $(RELEASE_DIR)/bench/winkirvo_bench_*; do echo "== $$b"; $$b || exit 1; done

clean:
	rm -rf build
