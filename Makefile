# The three entry points; each first makes sure the machine has what it needs.
WERROR ?= OFF
JOBS ?= $(shell nproc)

.PHONY: bootstrap build run test fuzz bench screenshots package windows web serve

bootstrap:
	@scripts/bootstrap

build: bootstrap
	@cmake --preset dev -DBIO_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset dev -j $(JOBS)

run: build
	@scripts/run

test: build
	@ctest --preset dev -j $(JOBS)
	@scripts/fuzz 10
	@cmake --preset asan -DBIO_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)
	@$(MAKE) --no-print-directory windows
	@ctest --preset windows -j $(JOBS)
	@$(MAKE) --no-print-directory web
	@ctest --preset web -j $(JOBS)

# build-windows/bin/biorhythm.exe and biorhythm-script.exe, cross-built with
# MinGW-w64, and build-windows/biorhythm-VERSION-win64.zip and .msi.
windows: bootstrap
	@scripts/cross-deps windows
	@cmake --preset windows -DBIO_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset windows -j $(JOBS)

# build-web/site/, the page as a static site, and build-web/bin/
# biorhythm-script.js, the script driver for node: the core built for
# WebAssembly with emscripten.
web: bootstrap
	@scripts/cross-deps web
	@cmake --preset web -DBIO_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset web -j $(JOBS)

# The site at http://127.0.0.1:8080/ until interrupted.
serve: web
	@python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site

fuzz: bootstrap
	@scripts/fuzz $(FUZZ_SECONDS)

bench: build windows web
	@scripts/bench
	@bench/wine/startup.sh
	@bench/web/page_bench.sh

screenshots: build windows web
	@scripts/screenshots
	@mkdir -p docs/web
	@tests/web/browser/npm_ci.sh tests/web/browser build-web/node >/dev/null
	@BIO_NODE_MODULES=build-web/node/node_modules BIO_SITE=$(CURDIR)/build-web/site node bench/web/screenshot.mjs docs/web/sindan.png
	@BIO_VIEWPORT=phone BIO_NODE_MODULES=build-web/node/node_modules BIO_SITE=$(CURDIR)/build-web/site node bench/web/screenshot.mjs docs/web/sindan-phone.png
	@scripts/wine-screenshots
	@scripts/wine-screenshots docs/windows/150 144

# build/biorhythm_VERSION_ARCH.deb, for `apt install ./build/biorhythm_*.deb`.
package: build
	@cpack --config build/CPackConfig.cmake -B build
