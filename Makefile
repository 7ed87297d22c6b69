# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands of the README: `make run` and `make check`.
# Both install what is missing from Debian, then build in build/ with two jobs.

BUILD   ?= build
JOBS    ?= 2
CMAKE_FLAGS ?=
CTEST_ARGS ?=

# What building and running the program needs; what the tests need on top; what only CI's
# stricter passes (fuzzers, package checks) need on top of that. Qt Charts' CMake files need
# Qt OpenGL's, which qt6-charts-dev does not bring along.
RUN_PACKAGES := cmake make g++ pkg-config ccache \
	qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-wayland qt6-charts-dev libqt6opengl6-dev libgl-dev libxcb1-dev \
	libsimpleini-dev libboost-dev libicu-dev fonts-dejavu-core
CHECK_PACKAGES := $(RUN_PACKAGES) libgtest-dev libgmock-dev libbenchmark-dev \
	xvfb xauth xdotool x11-utils openbox weston poppler-utils fonts-liberation2 \
	dbus at-spi2-core python3-pyatspi imagemagick cups printer-driver-cups-pdf nodejs
CI_PACKAGES := $(CHECK_PACKAGES) clang libclang-rt-14-dev lintian reuse appstream desktop-file-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps deps-check deps-npm deps-ci build build-program run check bench install package fuzz clean

all: build

# Installs the missing ones of $(1), without the packages they only recommend.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -o DPkg::Lock::Timeout=600 && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends \
	    -o DPkg::Lock::Timeout=600 $$missing; \
	fi
endef

deps:
	$(call install_missing,$(RUN_PACKAGES))
# npm comes with some builds of nodejs and conflicts with them: installed only where missing.
deps-check:
	$(call install_missing,$(CHECK_PACKAGES))
	@command -v npm >/dev/null || $(MAKE) --no-print-directory deps-npm
deps-npm:
	$(call install_missing,npm)
deps-ci: deps-check
	$(call install_missing,$(CI_PACKAGES))

# `make run` configures without the tests; `make check` turns them on in the same folder.
$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DTZ_TESTS=OFF $(CMAKE_FLAGS)

# The program, the bank tool, the teacher's window and the sample bank only (and the packaging
# files install wants).
build-program: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target Test testbank sprava sample_bank tz_packaging_files

run: build-program
	cd $(BUILD) && ./Test

build: deps-check
	cmake -S . -B $(BUILD) -DTZ_TESTS=ON -DTZ_BENCHMARKS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

check: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300 $(CTEST_ARGS)

# Speed and memory figures with their ratios to the floors they are measured against.
bench: deps-check
	cmake -S . -B $(BUILD) -DTZ_TESTS=ON -DTZ_BENCHMARKS=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./bench_bank && ./bench_import && QT_QPA_PLATFORM=offscreen ./bench_generation && QT_QPA_PLATFORM=offscreen ./bench_startup && QT_QPA_PLATFORM=offscreen ./bench_results && QT_QPA_PLATFORM=offscreen ./bench_teacher

# make install PREFIX=/opt/test-znalosti
PREFIX ?= /usr/local
install: build-program
	cmake --install $(BUILD) --prefix $(PREFIX)

# A .deb in build/ whose dependencies are Debian's runtime packages.
package: build
	cd $(BUILD) && cpack -G DEB

# libFuzzer targets built with clang in build-fuzz/, each run for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz: deps-ci
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTZ_FUZZ=ON -DTZ_TESTS=OFF
	cmake --build build-fuzz -j $(JOBS)
	fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-fuzz build-asan build-tsan
