# Two commands set up everything on a fresh Debian machine:
#   make test   installs what the build and the tests need, builds, runs every test,
#               then runs each fuzz target for a fixed number of inputs from a fixed
#               seed (the SGF loading 600,000, the GTP stream, the weight files and
#               the joseki libraries fewer: about two minutes in all)
#   make bench  builds in Release and runs the benchmarks (the board paint on a
#               virtual display when there is none)
#   make fuzz   runs each fuzz target for FUZZ_TIME seconds (300) from a random seed
#   make soak   one winkirvo-gtp plays SOAK_GAMES (100) games at the default depths
#               (Release), then SOAK_SAN_GAMES (20) under the sanitizers with leak
#               checking; resident memory and the engine's tables after each game
#   make run    builds every program in Release and starts the desktop program
#               winkirvo; without a display it plays one game of the computer
#               against itself in the console instead, saved as build/selfplay.sgf
#   make screenshot  writes build/screenshot.png: the window at 1000 x 800 with a
#               game in progress and the evaluations on (on a virtual display)
#   make golden rewrites tests/golden/seed1.sgf, the fixed-seed game that make test
#               compares byte for byte, when a change of play is meant
#   make match  builds winkirvo-gtp in Release and plays MATCH_GAMES games against
#               MATCH_OPPONENT, refereed by GNU Go; records in build/match
#   make data   rebuilds the nine data files from the game collections in DATASETS
#               into build/data (42 processor minutes); make data-check also compares
#               them byte for byte with data/, make data-install copies them there
SHELL := /bin/bash
JOBS ?= $(shell nproc)
TEST_DIR := build/test
RELEASE_DIR := build/release
FUZZ_DIR := build/fuzz
# Each fuzz target as name:seed folder in fuzz/:inputs in make test.
FUZZ_TARGETS := sgf_load:corpus:600000 gtp_stream:corpus-gtp:2000 \
  weight_file:corpus-weights:20000 joseki_file:corpus-joseki:10000
FUZZ_TIME ?= 300

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev \
  libwxgtk3.2-dev xvfb xauth

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps test bench compare-genmove run screenshot golden match fuzz fuzz-build fuzz-run soak data \
  data-check data-install clean

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
	$(MAKE) --no-print-directory fuzz-run FUZZ_LIMIT="-runs=RUNS -seed=1" FUZZ_CORPUS=$(FUZZ_DIR)/test-corpus

fuzz: deps
	$(MAKE) --no-print-directory fuzz-run FUZZ_LIMIT=-max_total_time=$(FUZZ_TIME)

# libFuzzer needs clang: its own build directory.  New inputs go to
# $(FUZZ_CORPUS)/<target>; the committed seeds in fuzz/ are only read.  The
# tests start from the committed seeds alone, so that every run of them is
# the same.  RUNS in FUZZ_LIMIT stands for the target's inputs in make test.
# The paths are absolute: the GTP target works in a directory of its own.
FUZZ_CORPUS ?= $(FUZZ_DIR)/corpus
fuzz-build:
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DWINKIRVO_FUZZ=ON -DWINKIRVO_TESTS=OFF -DWINKIRVO_UI=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target \
	  $(foreach t,$(FUZZ_TARGETS),winkirvo_fuzz_$(firstword $(subst :, ,$(t))))

fuzz-run: fuzz-build
	@set -e; for entry in $(FUZZ_TARGETS); do \
	  IFS=: read -r name seeds runs <<< "$$entry"; \
	  limit="$(FUZZ_LIMIT)"; \
	  echo "== fuzzing $$name"; \
	  mkdir -p $(FUZZ_CORPUS)/$$name $(FUZZ_DIR)/artifacts; \
	  $(FUZZ_DIR)/fuzz/winkirvo_fuzz_$$name $${limit//RUNS/$$runs} -timeout=10 \
	    -artifact_prefix=$(CURDIR)/$(FUZZ_DIR)/artifacts/$$name- \
	    $(abspath $(FUZZ_CORPUS))/$$name $(CURDIR)/fuzz/$$seeds; \
	done

# The shared game collections, unpacked into the build tree when needed.
DATASETS ?= ../shared/datasets
GAMES_DIR := build/games/pro
KGS_GAMES_DIR := build/games/kgs

# $(call unpack_games,ARCHIVE,DIR): unpacks $(DATASETS)/ARCHIVE into DIR
# unless DIR is there or the archive is not; through DIR.part, so that an
# interrupted unpacking is never taken for a whole one.
define unpack_games
if [ ! -d $(2) ] && [ -f $(DATASETS)/$(1) ]; then \
  echo "Unpacking $(DATASETS)/$(1) into $(2)"; \
  rm -rf $(2).part && mkdir -p $(2).part && tar -xJf $(DATASETS)/$(1) -C $(2).part && mv $(2).part $(2); \
fi;
endef

# The benchmarks that measure on real positions read professional games,
# unpacked once from the shared game collection when it is at hand.
bench: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DWINKIRVO_BENCH=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	@$(call unpack_games,pro.tar.xz,$(GAMES_DIR)) \
	if [ ! -d $(GAMES_DIR) ]; then \
	  echo "No $(DATASETS)/pro.tar.xz: the measures on professional positions are skipped (make bench DATASETS=<folder of the game collections>)"; \
	fi
	@for b in $(RELEASE_DIR)/bench/winkirvo_bench_*; do \
	  echo "== $$b"; display=""; \
	  case $$b in *_paint) [ -z "$$DISPLAY" ] && command -v xvfb-run >/dev/null && display="xvfb-run -a";; esac; \
	  WINKIRVO_GAMES=$(CURDIR)/$(GAMES_DIR) WINKIRVO_BENCH_OUT=$(CURDIR)/$(RELEASE_DIR) $$display $$b || exit 1; \
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

# Long sessions: hours at the default depths.  The logs stay in build/soak.
SOAK_GAMES ?= 100
SOAK_SAN_GAMES ?= 20
SOAK_DEPTHS ?= 10 8 4
soak: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DWINKIRVO_BENCH=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target winkirvo-gtp
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWINKIRVO_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS) --target winkirvo-gtp
	mkdir -p build/soak/release build/soak/sanitizers
	cd build/soak/release && $(CURDIR)/tests/soak.sh $(SOAK_GAMES) "$(SOAK_DEPTHS)" \
	  $(CURDIR)/$(RELEASE_DIR)/gtp/winkirvo-gtp --data-dir $(CURDIR)/data
	cd build/soak/sanitizers && ASAN_OPTIONS=detect_leaks=1 $(CURDIR)/tests/soak.sh $(SOAK_SAN_GAMES) \
	  "$(SOAK_DEPTHS)" $(CURDIR)/$(TEST_DIR)/gtp/winkirvo-gtp --data-dir $(CURDIR)/data

# The programs find the data files in the source tree's data/ whatever the
# working directory; the desktop program needs a display.
run: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DWINKIRVO_BENCH=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
	  cd build && ../$(RELEASE_DIR)/ui/winkirvo; \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): one computer-against-computer game in the console instead."; \
	  $(RELEASE_DIR)/selfplay/winkirvo-selfplay --data-dir $(CURDIR)/data --sgf $(CURDIR)/build/selfplay.sgf; \
	fi

screenshot: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWINKIRVO_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS) --target winkirvo_ui_tests
	cd $(TEST_DIR)/tests/ui && WINKIRVO_SCREENSHOT=$(CURDIR)/build/screenshot.png ASAN_OPTIONS=detect_leaks=0 \
	  HOME=$(CURDIR)/$(TEST_DIR)/tests/ui/work WINKIRVO_DATA=$(CURDIR)/data \
	  xvfb-run -a -s "-screen 0 1280x1024x24" ./winkirvo_ui_tests --gtest_filter=Desktop.Screenshot
	@echo "The window is in build/screenshot.png"

golden: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DWINKIRVO_BENCH=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target winkirvo-selfplay
	tests/golden_game.sh write $(CURDIR)/$(RELEASE_DIR)/selfplay/winkirvo-selfplay $(CURDIR)/data \
	  $(CURDIR)/tests/golden/seed1.sgf

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

# The nine data files rebuilt by winkirvo-train (Release) from the shared
# game collections with the settings that built the committed ones, into
# $(DATA_OUT); the tools' reports in $(DATA_LOGS).  Training takes long: it
# runs at a low priority.
DATA_OUT := build/data
DATA_LOGS := build/data-logs
DATA_FILES := $(notdir $(wildcard data/*.dat))
data: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DWINKIRVO_BENCH=ON -DWINKIRVO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target winkirvo-train
	@for f in pro.tar.xz kgs-6d.tar.xz kgs-ownership.tsv.xz; do \
	  [ -f $(DATASETS)/$$f ] || { echo "No $(DATASETS)/$$f: make data DATASETS=<folder of the game collections>"; exit 1; }; \
	done; \
	$(call unpack_games,pro.tar.xz,$(GAMES_DIR)) \
	$(call unpack_games,kgs-6d.tar.xz,$(KGS_GAMES_DIR))
	time nice -n 10 train/build_data.sh $(RELEASE_DIR)/train/winkirvo-train $(GAMES_DIR) $(KGS_GAMES_DIR) \
	  $(DATASETS)/kgs-ownership.tsv.xz $(DATA_OUT) $(DATA_LOGS)

# Every rebuilt file compared byte for byte with the committed one.
data-check: data
	@differ=""; \
	for f in $(DATA_FILES); do cmp -s data/$$f $(DATA_OUT)/$$f || differ="$$differ $$f"; done; \
	if [ -n "$$differ" ]; then echo "Rebuilt unlike the committed files in data/:$$differ"; exit 1; fi; \
	echo "All $(words $(DATA_FILES)) files of data/ rebuilt byte for byte as committed."

# The rebuilt files replace the committed ones (a change of play: make golden).
data-install: data
	cp $(addprefix $(DATA_OUT)/,$(DATA_FILES)) data/

clean:
	rm -rf build
