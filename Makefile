# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands of the README: `make run` and `make check`.
# Both install what is missing from Debian, then build in build/ with two jobs.

BUILD   ?= build
JOBS    ?= 2
CMAKE_FLAGS ?=
CTEST_ARGS ?=

DEBIAN_PACKAGES := cmake make g++ pkg-config ccache \
	qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev \
	libsimpleini-dev libboost-dev libicu-dev libgtest-dev libgmock-dev libbenchmark-dev \
	xvfb xauth xdotool poppler-utils fonts-dejavu-core fonts-liberation2 clang libclang-rt-14-dev \
	dbus at-spi2-core python3-pyatspi imagemagick cups printer-driver-cups-pdf \
	lintian reuse appstream desktop-file-utils

# Compiler cache hits across clones of the tree (CI builds a fresh clone elsewhere).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run check bench install package fuzz clean

all: build

deps:
	@missing=""; for p in $(DEBIAN_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -o DPkg::Lock::Timeout=600 && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -o DPkg::Lock::Timeout=600 $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./Test

check: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300 $(CTEST_ARGS)

# Speed and memory figures with their ratios to the floors they are measured against.
bench: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./bench_bank && QT_QPA_PLATFORM=offscreen ./bench_generation && QT_QPA_PLATFORM=offscreen ./bench_startup

# make install PREFIX=/opt/test-znalosti
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A .deb in build/ whose dependencies are Debian's runtime packages.
package: build
	cd $(BUILD) && cpack -G DEB

# libFuzzer targets built with clang in build-fuzz/, each run for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTZ_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-fuzz build-asan build-tsan
