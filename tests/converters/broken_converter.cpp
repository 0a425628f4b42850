// A converter library that loads but lacks its entry point: it exports a near-miss name instead, the
// way a library built from an older or misspelt header would.

extern "C" __attribute__((visibility("default"))) int valuate_old(void) {
    return 0;
}
