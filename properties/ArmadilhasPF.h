// Floating-point faults as errors. While an ArmadilhasPontoFlutuante object
// lives, division by zero, invalid operations and overflow trap at the
// faulting instruction and surface as ErroPontoFlutuante thrown from there,
// so nothing after the fault is computed or stored and no infinity or NaN
// ever reaches a field.
#pragma once

#include <cfenv>

class ArmadilhasPontoFlutuante {
public:
    ArmadilhasPontoFlutuante();
    ~ArmadilhasPontoFlutuante();
    ArmadilhasPontoFlutuante(const ArmadilhasPontoFlutuante&) = delete;
    ArmadilhasPontoFlutuante& operator=(const ArmadilhasPontoFlutuante&) = delete;

private:
    std::fenv_t anterior_;
};

// Turns the traps off for a call into code that is not ours (the window
// toolkit, the C library's I/O) and restores them afterwards, with the
// exception flags that code may have raised cleared.
class SuspensaoArmadilhas {
public:
    SuspensaoArmadilhas();
    ~SuspensaoArmadilhas();
    SuspensaoArmadilhas(const SuspensaoArmadilhas&) = delete;
    SuspensaoArmadilhas& operator=(const SuspensaoArmadilhas&) = delete;

private:
    int excecoesHabilitadas_;
};
