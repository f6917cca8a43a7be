// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/vector_state.h"

namespace fluvenna {

void ClearUpperVectorState() {
#if defined(__x86_64__) && !defined(__EMSCRIPTEN__)
  // vzeroupper is an invalid instruction without AVX. It keeps the lower
  // halves (the SSE registers), so nothing the compiler holds is lost.
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) asm volatile("vzeroupper");
#endif
}

}  // namespace fluvenna
