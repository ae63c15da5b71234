# The README's commands. Each one first installs whatever Debian packages are missing.
JOBS ?= $(shell nproc)

.PHONY: all deps build run test screenshots

all: build

deps:
	@scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

run: build
	scripts/run-app build/default

test: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize

screenshots: build
	scripts/screenshots build/default
