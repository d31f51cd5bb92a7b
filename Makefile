# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test deps build clean format package package-deps

deps:
	bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		cd $(BUILD)/bin && ./Program; \
	else \
		echo "No display found: starting the program under xvfb-run."; \
		cd $(BUILD)/bin && xvfb-run -a -s "-screen 0 1280x800x24" ./Program; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The Debian package, in $(BUILD)/: radio-programmer_<version>_<arch>.deb.
package: package-deps build
	cd $(BUILD) && cpack -G DEB

package-deps:
	bash scripts/install-deps --package

format:
	find model app link report ui cli textfile tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
