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
            libnova-dev \
            libxcb1-dev libxcb-keysyms1-dev xvfb

# `make fuzz`: the libFuzzer targets, built with clang and sanitizers apart from the main
# build, each run FUZZ_SECONDS. A crash lands as a file in its corpus folder
# tests/fuzz/corpus/<target>/, which `make test` then replays; commit it with the fix.
FUZZ_BUILD    := build-fuzz
FUZZ_SECONDS  := 60
FUZZ_TARGETS  := settings_file texts version_page
FUZZ_PACKAGES := clang libclang-rt-dev

.PHONY: deps configure build run test fuzz clean

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

fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  dict=tests/fuzz/$$t.dict; [ -f $$dict ] && dict=-dict=$$dict || dict=; \
	  echo "fuzzing $$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/tests/fuzz_$$t $(FUZZ_BUILD)/corpus/$$t tests/fuzz/corpus/$$t $$dict \
	    -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=tests/fuzz/corpus/$$t/ || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
