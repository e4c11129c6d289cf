# One entry point: make deps | build | test | run | bench
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
DEB_PACKAGES := g++ cmake make libgtest-dev \
  qt6-base-dev libqt6sql6-sqlite qt6-svg-dev qt6-translations-l10n fonts-liberation xvfb xauth \
  poppler-utils libbenchmark-dev libsqlite3-dev

BENCH_DIR ?= build-bench

.PHONY: deps build test run bench clean

deps:
	@missing=""; for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -ne 0 ] && SUDO=sudo; \
	  $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y $$missing; \
	fi

build:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_ARGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: deps build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

run: deps build
	$(BUILD_DIR)/app/Trevon-SL

# The benchmark program, in Release, in a build folder of its own; not part of make test.
bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTREVON_BENCH=ON $(CMAKE_ARGS)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target trevon_bench
	cd $(BENCH_DIR)/bench && QT_QPA_PLATFORM=offscreen ./trevon_bench $(BENCH_ARGS)

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR)
