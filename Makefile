# One entry point: make deps | build | test | run
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
DEB_PACKAGES := g++ cmake make libgtest-dev \
  qt6-base-dev libqt6sql6-sqlite qt6-svg-dev qt6-translations-l10n fonts-liberation xvfb xauth poppler-utils

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
	$(BUILD_DIR)/app/Trevon-SL

clean:
	rm -rf $(BUILD_DIR)
