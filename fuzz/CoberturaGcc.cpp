// Edge coverage of GCC-compiled code for libFuzzer.
//
// The calculation turns floating-point traps into C++ exceptions thrown from
// the SIGFPE handler, which needs -fnon-call-exceptions. Clang accepts that
// option but ignores it, so a fault inside a function with cleanups ends in
// std::terminate. The fuzzed code is therefore compiled with GCC, and GCC's
// only edge instrumentation, -fsanitize-coverage=trace-pc, calls
// __sanitizer_cov_trace_pc() in every basic block without any guard. This
// file maps each calling address onto a table of 8-bit counters registered
// with libFuzzer as an inline-counter module, plus a matching table of
// pseudo-addresses so that libFuzzer's "cov:" figure counts the slots hit.
// libFuzzer's own __sanitizer_cov_trace_pc (a stub that refuses GCC) is
// weakened in the copy of its library the build links against.
//
// Compiled without instrumentation: it is called from every block.
#include <cstddef>
#include <cstdint>

extern "C" {
void __sanitizer_cov_8bit_counters_init(std::uint8_t* inicio, std::uint8_t* fim);
void __sanitizer_cov_pcs_init(const std::uintptr_t* inicio, const std::uintptr_t* fim);

// GCC's trace-cmp also reports floating-point comparisons, which libFuzzer
// does not use.
void __sanitizer_cov_trace_cmpf(float, float) {}
void __sanitizer_cov_trace_cmpd(double, double) {}
}

namespace {

// 2^18 slots indexed by the low bits of the address: enough for the few
// thousand blocks of the calculation with rare collisions.
constexpr std::size_t Slots = std::size_t{1} << 18;
alignas(64) std::uint8_t contadores[Slots];
// Pairs (address, flags); the addresses are the slot numbers plus one.
std::uintptr_t enderecos[2 * Slots];

__attribute__((constructor)) void Registrar() {
    for (std::size_t i = 0; i < Slots; ++i) enderecos[2 * i] = i + 1;
    __sanitizer_cov_8bit_counters_init(contadores, contadores + Slots);
    __sanitizer_cov_pcs_init(enderecos, enderecos + 2 * Slots);
}

}  // namespace

extern "C" __attribute__((no_sanitize_address, no_sanitize_undefined)) void
__sanitizer_cov_trace_pc() {
    const auto pc = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    ++contadores[pc & (Slots - 1)];
}
