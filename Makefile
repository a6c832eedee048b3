# Two commands set up everything on a fresh Debian machine:
#   make test   installs what the build and the tests need, builds, runs every test,
#               then fuzzes the SGF loading for 600,000 runs from a fixed seed
#               (about forty seconds)
#   make bench  builds in Release and runs the benchmarks
#   make fuzz   fuzzes the SGF loading for ten minutes from a random seed
#   make run    builds in Release and plays one game of the computer against itself
#               in the console, saved as build/selfplay.sgf
#   make match  builds winkirvo-gtp in Release and plays MATCH_GAMES games against
#               MATCH_OPPONENT, refereed by GNU Go; records in build/match
SHELL := /bin/bash
JOBS ?= $(shell nproc)
TEST_DIR := build/test
RELEASE_DIR := build/release
FUZZ_DIR := build/fuzz
FUZZ_TARGET := winkirvo_fuzz_sgf_load

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps test bench compare-genmove run match fuzz fuzz-build fuzz-run clean

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
	rm -rf $(FUZZ_DIR)/test-corpus
	$(MAKE) --no-print-directory fuzz-run FUZZ_LIMIT="-runs=600000 -seed=1" FUZZ_CORPUS=$(FUZZ_DIR)/test-corpus

fuzz: deps
	$(MAKE) --no-print-directory fuzz-run FUZZ_LIMIT=-max_total_time=600

# libFuzzer needs clang: its own build directory.  New inputs go to
# $(FUZZ_CORPUS); the committed seeds in fuzz/corpus are only read.  The
# tests start from the committed seeds alone, so that every run of them is
# the same.
FUZZ_CORPUS ?= $(FUZZ_DIR)/corpus
fuzz-build:
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DWINKIRVO_FUZZ=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZ_TARGET)

fuzz-run: fuzz-build
	mkdir -p $(FUZZ_CORPUS) $(FUZZ_DIR)/artifacts
	$(FUZZ_DIR)/fuzz/$(FUZZ_TARGET) $(FUZZ_LIMIT) -timeout=10 \
	  -artifact_prefix=$(FUZZ_DIR)/artifacts/ $(FUZZ_CORPUS) fuzz/corpus

# The benchmarks that measure on real positions read professional games,
# unpacked once from the shared game collection when it is at hand.
DATASETS ?= ../shared/datasets
GAMES_DIR := build/games/pro

bench: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DWINKIRVO_BENCH=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	@if [ ! -d $(GAMES_DIR) ] && [ -f $(DATASETS)/pro.tar.xz ]; then \
	  echo "Unpacking the professional games into $(GAMES_DIR)"; \
	  mkdir -p $(GAMES_DIR) && tar -xJf $(DATASETS)/pro.tar.xz -C $(GAMES_DIR); \
	elif [ ! -d $(GAMES_DIR) ]; then \
	  echo "No $(DATASETS)/pro.tar.xz: the measures on professional positions are skipped (make bench DATASETS=<folder of the game collections>)"; \
	fi
	@for b in $(RELEASE_DIR)/bench/winkirvo_bench_*; do \
	  echo "== $$b"; WINKIRVO_GAMES=$(CURDIR)/$(GAMES_DIR) WINKIRVO_BENCH_OUT=$(CURDIR)/$(RELEASE_DIR) $$b || exit 1; \
	done
	@$(MAKE) --no-print-directory compare-genmove

# The time per move of winkirvo-gtp and, when it is installed, of GNU Go at
# level 10, on the professional positions the move benchmark wrote.
GAME_120 := $(RELEASE_DIR)/movegen_bench_professional.sgf
compare-genmove:
	@if [ ! -f $(GAME_120) ]; then echo "No $(GAME_120): run make bench with the games"; exit 0; fi; \
	bench/genmove_times.sh $(GAME_120) 120 $(RELEASE_DIR)/gtp/winkirvo-gtp --data-dir $(CURDIR)/data; \
	gnugo=$$(command -v gnugo || command -v /usr/games/gnugo || true); \
	if [ -n "$$gnugo" ]; then \
	  bench/genmove_times.sh $(GAME_120) 120 $$gnugo --mode gtp --level 10; \
	else \
	  echo "GNU Go is not installed: no comparison"; \
	fi

# The knowledge files come from data/ whatever the working directory.
run: deps
	@echo "The desktop program is not built yet: one computer-against-computer game in the console."
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DWINKIRVO_BENCH=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target winkirvo-selfplay
	$(RELEASE_DIR)/selfplay/winkirvo-selfplay --data-dir $(CURDIR)/data --sgf $(CURDIR)/build/selfplay.sgf

# A match of winkirvo-gtp against any GTP program, colours alternating, komi
# 6.5, every move checked and two-pass games scored (area rules) by GNU Go.
# "{game}" in a command line becomes the game's number: a seed of its own.
# MATCH_TIME > 0 puts both sides on a sudden-death clock of that many seconds.
MATCH_GAMES ?= 20
MATCH_OPPONENT ?= gnugo --mode gtp --level 10
MATCH_ENGINE ?= $(CURDIR)/$(RELEASE_DIR)/gtp/winkirvo-gtp --data-dir $(CURDIR)/data --seed {game}
MATCH_DIR ?= build/match
MATCH_TIME ?= 0
match:
	@command -v python3 >/dev/null || { $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3; }
	@command -v gnugo >/dev/null || [ -x /usr/games/gnugo ] || { $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gnugo; }
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DWINKIRVO_BENCH=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target winkirvo-gtp
	python3 tools/match.py --games $(MATCH_GAMES) --engine "$(MATCH_ENGINE)" \
	  --opponent "$(MATCH_OPPONENT)" --out $(MATCH_DIR) --main-time $(MATCH_TIME)

clean:
	rm -rf build
