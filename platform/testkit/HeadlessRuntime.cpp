// The headless kit as a shared library on the platform's shared library (platform_headless):
// every object of the kit's module, linked in whole by the build. This unit adds nothing of its
// own; a shared library needs one source to be built from.
