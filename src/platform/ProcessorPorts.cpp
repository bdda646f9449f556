#include "platform/ProcessorPorts.h"

#include "platform/Exceptions.h"

#if defined(__x86_64__) || defined(__i386__)
#define VOLTARIX_X86 1
#include <csignal>
#include <sys/io.h>
#include <ucontext.h>
#endif

namespace platform {

#if VOLTARIX_X86

// Each routine is one port instruction with a landing place beside it. When the
// instruction faults, the SIGSEGV handler below moves the instruction pointer to the
// landing place, which returns -1: the access is refused without a signal mask change
// or system call on the path that works.
extern "C" {
int voltarix_inb(unsigned port);
int voltarix_outb(unsigned port, unsigned value);
extern const char voltarix_inb_insn[], voltarix_inb_refused[];
extern const char voltarix_outb_insn[], voltarix_outb_refused[];
}

#if defined(__x86_64__)
asm(R"(
    .text
    .globl voltarix_inb, voltarix_outb
    .globl voltarix_inb_insn, voltarix_inb_refused, voltarix_outb_insn, voltarix_outb_refused
    .hidden voltarix_inb, voltarix_outb
    .hidden voltarix_inb_insn, voltarix_inb_refused, voltarix_outb_insn, voltarix_outb_refused
    .type voltarix_inb, @function
voltarix_inb:
    movl %edi, %edx
    xorl %eax, %eax
voltarix_inb_insn:
    inb %dx, %al
    ret
voltarix_inb_refused:
    movl $-1, %eax
    ret
    .size voltarix_inb, .-voltarix_inb
    .type voltarix_outb, @function
voltarix_outb:
    movl %edi, %edx
    movl %esi, %eax
voltarix_outb_insn:
    outb %al, %dx
    xorl %eax, %eax
    ret
voltarix_outb_refused:
    movl $-1, %eax
    ret
    .size voltarix_outb, .-voltarix_outb
)");
#define VOLTARIX_IP REG_RIP
#else
asm(R"(
    .text
    .globl voltarix_inb, voltarix_outb
    .globl voltarix_inb_insn, voltarix_inb_refused, voltarix_outb_insn, voltarix_outb_refused
    .hidden voltarix_inb, voltarix_outb
    .hidden voltarix_inb_insn, voltarix_inb_refused, voltarix_outb_insn, voltarix_outb_refused
    .type voltarix_inb, @function
voltarix_inb:
    movl 4(%esp), %edx
    xorl %eax, %eax
voltarix_inb_insn:
    inb %dx, %al
    ret
voltarix_inb_refused:
    movl $-1, %eax
    ret
    .size voltarix_inb, .-voltarix_inb
    .type voltarix_outb, @function
voltarix_outb:
    movl 4(%esp), %edx
    movl 8(%esp), %eax
voltarix_outb_insn:
    outb %al, %dx
    xorl %eax, %eax
    ret
voltarix_outb_refused:
    movl $-1, %eax
    ret
    .size voltarix_outb, .-voltarix_outb
)");
#define VOLTARIX_IP REG_EIP
#endif

namespace {

struct sigaction previousHandler;

// A fault anywhere else is not ours: hand it to whoever handled SIGSEGV before
// (a sanitizer, say), or let the default action end the process.
void forwardFault(int signal, siginfo_t* info, void* context)
{
    if ((previousHandler.sa_flags & SA_SIGINFO) && previousHandler.sa_sigaction) {
        previousHandler.sa_sigaction(signal, info, context);
        return;
    }
    if (previousHandler.sa_handler != SIG_DFL && previousHandler.sa_handler != SIG_IGN) {
        previousHandler.sa_handler(signal);
        return;
    }
    ::signal(signal, SIG_DFL);
    // A fault happens again on return; a signal sent by kill() must be raised anew.
    if (info->si_code <= 0)
        ::raise(signal);
}

void onFault(int signal, siginfo_t* info, void* context)
{
    auto& ip = static_cast<ucontext_t*>(context)->uc_mcontext.gregs[VOLTARIX_IP];
    const auto at = [&](const char* label) { return ip == reinterpret_cast<greg_t>(label); };
    if (at(voltarix_inb_insn))
        ip = reinterpret_cast<greg_t>(voltarix_inb_refused);
    else if (at(voltarix_outb_insn))
        ip = reinterpret_cast<greg_t>(voltarix_outb_refused);
    else
        forwardFault(signal, info, context);
}

void installFaultHandler()
{
    struct sigaction action = {};
    action.sa_sigaction = onFault;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    sigaction(SIGSEGV, &action, &previousHandler);
}

class X86Ports final : public PortBus
{
public:
    X86Ports() { installFaultHandler(); }

    std::uint8_t read(std::uint16_t port) override
    {
        const int value = voltarix_inb(port);
        if (value < 0)
            throw PrivilegeError();
        return static_cast<std::uint8_t>(value);
    }

    void write(std::uint16_t port, std::uint8_t value) override
    {
        if (voltarix_outb(port, value) < 0)
            throw PrivilegeError();
    }
};

} // namespace

PortBus& processorPorts()
{
    static X86Ports ports;
    return ports;
}

void requestPortAccess()
{
    constexpr unsigned long firstPort = 0x378, portCount = 3;
    (void)ioperm(firstPort, portCount, 1);
}

#else // not x86: there are no port instructions, so every access is refused

namespace {

class NoPorts final : public PortBus
{
public:
    std::uint8_t read(std::uint16_t) override { throw PrivilegeError(); }
    void write(std::uint16_t, std::uint8_t) override { throw PrivilegeError(); }
};

} // namespace

PortBus& processorPorts()
{
    static NoPorts ports;
    return ports;
}

void requestPortAccess() {}

#endif

} // namespace platform
