// The fuzzing entries: the number reader and a whole plant run driven by
// arbitrary bytes. The libFuzzer targets and the test that replays the seed
// corpus call the very same functions.
//
// Each entry returns "" when the run kept the rules, or a description of the
// rule it broke. Crashes, aborts and sanitizer reports are left to the caller
// to notice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The bytes are a field's text. For each decimal separator ',' and '.':
// LerNumero either throws ErroConversao with the text in its message, or
// returns a finite value equal to what the C library reads from the same
// number; FormatarCampo of that value is a 15-character field that reads
// back within half a unit of its fifth significant digit and formats to the
// very same text again.
std::string ExercitarNumero(const std::uint8_t* dados, std::size_t tamanho);

// Input layout, one text per line ('\n'):
//   line 1   its first byte holds the options below; the rest of the line is
//            free text (the seed files describe themselves there);
//   lines 2+ the texts of the numeric input fields in panel order (Ecapusi,
//            Evap, ... Eefitmp); an empty line keeps the field's default;
//            lines past the last field are ignored.
// Options (bits of the first byte):
//   1  CheckBox1 ticked (with the high-pressure turbine)
//   2  '.' as the decimal separator instead of ','
//   4  plant data kept from run to run, as the window keeps them, instead
//      of a fresh record
//   8  press "Executar" a second time on the texts the first run left
//  16  toggle CheckBox1 before the second run
// After every run: the run either ends normally, or refuses its inputs with
// a message naming a field's caption and writes no field, or ends with
// exactly one of the system's error messages; the result says which; every
// field written holds a readable finite number (or " " for the hidden
// high-pressure panel); every figure of the plant data is finite; a finished
// run breaks no law of thermodynamics in its machines; and the report is
// refused unless the run finished, and then comes out whole, without a
// non-finite value.
std::string ExercitarUsina(const std::uint8_t* dados, std::size_t tamanho);

// The bytes are a case file's text. CasoDeJson either throws ErroCaso whose
// message names the file and is valid UTF-8, or returns a case whose 18
// inputs are finite and pass the calculation's checks (after its limits),
// with at most 21 warnings; and that case written by CasoParaJson reads
// back to the same inputs, bit for bit, the same description and no
// warning. Any other exception breaks the rule.
std::string ExercitarCaso(const std::uint8_t* dados, std::size_t tamanho);
