#pragma once
// Implementations of the built-in functions, grouped by kind; the table in
// function_table.cpp names them.

#include "host/formula/interpreter.h"

namespace korvat::host::formula::functions {

// Aggregates over numbers
Operand Sum(FunctionArgs& a);
Operand Min(FunctionArgs& a);
Operand Max(FunctionArgs& a);
Operand Average(FunctionArgs& a);
Operand Count(FunctionArgs& a);
Operand CountA(FunctionArgs& a);

// Logic and information
Operand If(FunctionArgs& a);
Operand IfError(FunctionArgs& a);
Operand And(FunctionArgs& a);
Operand Or(FunctionArgs& a);
Operand Not(FunctionArgs& a);
Operand True(FunctionArgs& a);
Operand False(FunctionArgs& a);
Operand N(FunctionArgs& a);
Operand IsError(FunctionArgs& a);
Operand IsNA(FunctionArgs& a);
Operand IsBlank(FunctionArgs& a);
Operand IsNumber(FunctionArgs& a);
Operand IsText(FunctionArgs& a);
Operand IsLogical(FunctionArgs& a);

// Lookup
Operand Match(FunctionArgs& a);
Operand Index(FunctionArgs& a);

// Math
Operand Abs(FunctionArgs& a);
Operand Round(FunctionArgs& a);
Operand RoundUp(FunctionArgs& a);
Operand RoundDown(FunctionArgs& a);
Operand Int(FunctionArgs& a);
Operand Mod(FunctionArgs& a);

// Text
Operand Len(FunctionArgs& a);
Operand Concatenate(FunctionArgs& a);

}  // namespace korvat::host::formula::functions
