#include "platform/ProcessorPorts.h"

#include "platform/Exceptions.h"

#if defined(__x86_64__) || defined(__i386__)
#define VOLTARIX_X86 1
#include <csignal>
#include <sys/io.h>
#include <ucontext.h>
#endif

namespace platform {

namespace {
bool handlerInstalled = false;
} // namespace

bool faultHandlerInstalled()
{
    return handlerInstalled;
}

void detail::throwPrivilegeError()
{
    throw PrivilegeError();
}

#if VOLTARIX_X86

namespace {

struct FaultEntry
{
    std::int32_t instruction; // both relative to the field itself
    std::int32_t landing;
};

// Bounds of the table the linker gathers; weak, in case a program has no port instruction.
extern "C" const FaultEntry __start_voltarix_port_faults[] __attribute__((weak, visibility("hidden")));
extern "C" const FaultEntry __stop_voltarix_port_faults[] __attribute__((weak, visibility("hidden")));

std::uintptr_t target(const std::int32_t& field)
{
    return reinterpret_cast<std::uintptr_t>(&field) + static_cast<std::intptr_t>(field);
}

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
#if defined(__x86_64__)
    auto& ip = static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_RIP];
#else
    auto& ip = static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_EIP];
#endif
    // Only a port instruction itself faulting is a refused access; a kill() is not.
    if (info->si_code > 0) {
        for (const FaultEntry* entry = __start_voltarix_port_faults; entry < __stop_voltarix_port_faults;
             ++entry) {
            if (static_cast<std::uintptr_t>(ip) == target(entry->instruction)) {
                ip = static_cast<greg_t>(target(entry->landing));
                return;
            }
        }
    }
    forwardFault(signal, info, context);
}

} // namespace

void installFaultHandler()
{
    if (handlerInstalled)
        return;
    struct sigaction action = {};
    action.sa_sigaction = onFault;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    sigaction(SIGSEGV, &action, &previousHandler);
    handlerInstalled = true;
}

void requestPortAccess()
{
    constexpr unsigned long firstPort = 0x378, portCount = 3;
    (void)ioperm(firstPort, portCount, 1);
}

#else

void installFaultHandler()
{
    handlerInstalled = true;
}

void requestPortAccess() {}

#endif

} // namespace platform
