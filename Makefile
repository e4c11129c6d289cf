# One entry point: make deps | build | test | run
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
DEB_PACKAGES := g++ cmake make libgtest-dev

.PHONY: deps build test run clean

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
	@echo "The program Trevon-SL is not built yet: only the calculation library exists." >&2; exit 1

clean:
	rm -rf $(BUILD_DIR)
