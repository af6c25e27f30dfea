// The IDE stand-in as a shared library (platform_designide): every object of the designer
// module, linked in whole by the build. This unit adds nothing of its own; a shared library
// needs one source to be built from.
