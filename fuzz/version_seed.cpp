// A tiny shared object that carries the version note: the version fuzz target's seed.
extern "C" int GrafyonFuzzVersionSeed() {
    return 1;
}
