# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DINPUT=in.ll -DOUTPUT=out.ll -P FusedMultiplyAdd.cmake
#
# Turns every multiply-add that clang contracted (llvm.fmuladd, which
# WebAssembly would split into a rounded multiply and an add) into a true
# fused multiply-add (llvm.fma, a call to the runtime's correctly rounded
# fma), as the FMA build of the desktop's C library computes it.
file(READ "${INPUT}" ir)
if(ir MATCHES "llvm\\.fmuladd\\.v")
  message(FATAL_ERROR "${INPUT}: vector multiply-adds are not handled")
endif()
string(REGEX REPLACE "declare double @llvm\\.fmuladd\\.f64\\([^\n]*\n" "" ir "${ir}")
string(REPLACE "@llvm.fmuladd.f64" "@llvm.fma.f64" ir "${ir}")
if(NOT ir MATCHES "declare double @llvm\\.fma\\.f64")
  string(APPEND ir "declare double @llvm.fma.f64(double, double, double)\n")
endif()
file(WRITE "${OUTPUT}" "${ir}")
