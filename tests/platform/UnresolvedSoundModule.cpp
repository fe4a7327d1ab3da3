// A sound module whose entry calls a function that no library defines, as a module built
// against another version of its libraries can: it must leave the game silent, not end it.
extern "C" void* ninefoldNoSuchFunction();

extern "C" __attribute__((visibility("default"))) void* ninefoldMakeSoundBackend() {
    return ninefoldNoSuchFunction();
}
