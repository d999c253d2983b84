# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
BUILD   := build
# The portable folder `make run` starts; it holds the user's data.ini and icons/, so
# `make clean` never touches it.
PORTABLE := portable
JOBS    := $(shell nproc)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake g++ make pkg-config ccache qt6-base-dev qt6-translations-l10n e2fsprogs \
            libgtest-dev libgmock-dev fonts-wqy-microhei xdg-utils adwaita-icon-theme \
            qt6-multimedia-dev gstreamer1.0-plugins-good libpci-dev pci.ids libicu-dev dbus \
            libnova-dev

.PHONY: deps configure build run test clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "installing:" $$missing; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DVANTREL_PORTABLE_DIR=$(abspath $(PORTABLE))

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(PORTABLE) && ./vantrel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
