// The platform's run-time library (platform_rt): every object of the platform's modules,
// linked in whole by the build. This unit adds nothing of its own; a shared library needs one
// source to be built from.
