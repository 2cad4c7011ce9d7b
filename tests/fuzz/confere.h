#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise of a reader ends the run where it happened, under
// libFuzzer (which saves the input) as in the replay of saved inputs.
#define CONFERE(condicao)                                                                          \
    do {                                                                                           \
        if (!(condicao)) {                                                                         \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condicao);                    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
