// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fluvenna {

// Ends this thread's use of the upper halves of the AVX registers: on
// x86-64 processors with AVX the instruction vzeroupper, elsewhere nothing.
//
// Code built for AVX that returns with them in use (Qt's command-line
// parser and string functions leave them so) puts the processor in a state
// where every SSE instruction of code built for plain x86-64, which all of
// this program's numbers are, waits on the upper halves: the renderer's drag
// polar took 60 ms instead of 4. Each costly computation of a pass calls
// this first; threads it starts inherit the cleared state.
void ClearUpperVectorState();

}  // namespace fluvenna
