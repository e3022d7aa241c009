#pragma once
// Text expressions: an arithmetic evaluator for computed values such as
// "($1*8)/1000" (after the variables' values are put in place of the markers)
// and a condition evaluator for row filters such as `$3="enabled"&$4=0`.
//
// Both split the text at the first occurrence of an operator character, so
// "+" and "-" bind loosest and chains group to the right: 10-2-3 is
// 10-(2-3) = 11, 8/2/2 is 8/(2/2) = 8, and "*" is looked for before "/", so
// 6/2*3 is the operand "6/2" (read as 6) times 3 = 18.
#include <string>

// Arithmetic over + - * / and parentheses; never fails: unreadable operands
// count as 0. The operand "NOW" (any case) is the current date-time number.
double EvaluateArithmetic(const std::string& text);

// Comparisons joined by "|", "&", "!" and parentheses. Operator characters
// inside the first pair of double quotes do not count. Raises KvCommon -1
// "(KvCommon) Bad logic operand!" for a leaf that is neither a comparison nor
// "true" / "false".
bool EvaluateCondition(const std::string& text);

// One comparison leaf: the first of "<>", ">=", "<=", ">", "<", "=" that occurs
// (outside the first pair of quotes) splits the text; both operands are
// trimmed and unquoted ("NOW" becomes the current date-time number) and
// compared as texts, byte by byte. Without an operator: "true" / "false"
// (any case, blanks around them ignored); anything else raises KvCommon -1.
bool Compare(const std::string& text);

// The text between a leading and a trailing double quote, or the text unchanged.
std::string Unquote(const std::string& text);
