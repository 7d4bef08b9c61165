#pragma once
// The fuzz targets: one function per reader, taking the bytes of one file.
// A broken invariant aborts (VIREO_FUZZ_CHECK), so the fuzzer and the
// regression test both see it as a crash.
#include <QByteArrayView>

#include <cstdio>
#include <cstdlib>
#include <vector>

#define VIREO_FUZZ_CHECK(cond)                                                            \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

namespace vireo::fuzz {

int id3v2(QByteArrayView input);
int id3v1(QByteArrayView input);
int mpeg(QByteArrayView input);
int m3u(QByteArrayView input);
int tagcache(QByteArrayView input);
int settings(QByteArrayView input);
int compilations(QByteArrayView input);
int coversearch(QByteArrayView input);

struct Target {
    const char *name; // the fuzzer program's name, and its folder of inputs
    int (*run)(QByteArrayView input);
};
const std::vector<Target> &targets();

} // namespace vireo::fuzz
