#include "properties/ArmadilhasPF.h"

#include <csignal>
#include <mutex>

#include "properties/Erros.h"

namespace {

constexpr int ExcecoesArmadas = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// Runs on the faulting instruction. The core is compiled with
// -fnon-call-exceptions, so the exception unwinds from the signal frame into
// the calculation like any other. SA_NODEFER keeps SIGFPE unblocked after the
// handler is left by the throw.
void TratarSigfpe(int, siginfo_t* info, void*) {
    using Tipo = ErroPontoFlutuante::Tipo;
    Tipo tipo = Tipo::OperacaoInvalida;
    switch (info->si_code) {
    case FPE_FLTDIV:
    case FPE_INTDIV: tipo = Tipo::DivisaoPorZero; break;
    case FPE_FLTOVF: tipo = Tipo::Estouro; break;
    default: break;
    }
    // The kernel hands the handler a clean floating-point state; leave it
    // without armed traps and without stale flags.
    fedisableexcept(FE_ALL_EXCEPT);
    feclearexcept(FE_ALL_EXCEPT);
    throw ErroPontoFlutuante(tipo);
}

void InstalarTratador() {
    static std::once_flag uma;
    std::call_once(uma, [] {
        struct sigaction acao {};
        acao.sa_sigaction = TratarSigfpe;
        sigemptyset(&acao.sa_mask);
        acao.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigaction(SIGFPE, &acao, nullptr);
    });
}

}  // namespace

ArmadilhasPontoFlutuante::ArmadilhasPontoFlutuante() {
    InstalarTratador();
    fegetenv(&anterior_);
    feclearexcept(FE_ALL_EXCEPT);
    feenableexcept(ExcecoesArmadas);
}

ArmadilhasPontoFlutuante::~ArmadilhasPontoFlutuante() {
    feclearexcept(FE_ALL_EXCEPT);
    fesetenv(&anterior_);
}

SuspensaoArmadilhas::SuspensaoArmadilhas() : excecoesHabilitadas_(fegetexcept()) {
    if (excecoesHabilitadas_ != 0) fedisableexcept(FE_ALL_EXCEPT);
}

SuspensaoArmadilhas::~SuspensaoArmadilhas() {
    if (excecoesHabilitadas_ != 0) {
        // Flags raised by foreign code must not fire on re-arming.
        feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(excecoesHabilitadas_);
    }
}
