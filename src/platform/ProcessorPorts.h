#pragma once

#include <cstdint>

namespace platform {

// The processor's byte-wide in/out instructions: processorIn and processorOut below.
// Where the operating system has not granted the port, the instruction faults; once
// installFaultHandler() has run, that fault becomes a PrivilegeError, with nothing read
// or written. (Without it, the fault would end the process.)

// Asks the operating system for the panel's ports (LPT1: 0x378 to 0x37A). A refusal is
// not reported here: the instructions then fault, and that is reported where the user acts.
void requestPortAccess();

// Takes over SIGSEGV for faulting port instructions, passing every other fault on to
// the handler that was there before. Idempotent.
void installFaultHandler();
bool faultHandlerInstalled();

namespace detail {
[[noreturn]] void throwPrivilegeError();
} // namespace detail

#if defined(__x86_64__) || defined(__i386__)

// Each port instruction is recorded, with the place to go on when it faults, in a table
// the SIGSEGV handler looks the faulting address up in. The entries are relative, so they
// need no relocation, and belong to the same section group as the code around them ("?"),
// so that the linker drops them along with a discarded copy of an inline function. The
// path that works costs no system call and no signal mask change.
#define VOLTARIX_PORT_FAULT_ENTRY(instruction, landing)                                                      \
    ".pushsection voltarix_port_faults, \"a?\"\n"                                                            \
    ".balign 4\n"                                                                                            \
    ".long " instruction " - ., " landing " - .\n"                                                           \
    ".popsection\n"

inline std::uint8_t processorIn(std::uint16_t port)
{
    std::uint8_t value;
    asm volatile goto("1: inb %w1, %b0\n" VOLTARIX_PORT_FAULT_ENTRY("1b", "%l[refused]")
                      : "=a"(value)
                      : "Nd"(port)
                      :
                      : refused);
    return value;
refused:
    detail::throwPrivilegeError();
}

inline void processorOut(std::uint16_t port, std::uint8_t value)
{
    asm volatile goto("1: outb %b0, %w1\n" VOLTARIX_PORT_FAULT_ENTRY("1b", "%l[refused]")
                      :
                      : "a"(value), "Nd"(port)
                      :
                      : refused);
    return;
refused:
    detail::throwPrivilegeError();
}

#else // no port instructions on this processor: every access is refused

inline std::uint8_t processorIn(std::uint16_t)
{
    detail::throwPrivilegeError();
}

inline void processorOut(std::uint16_t, std::uint8_t)
{
    detail::throwPrivilegeError();
}

#endif

} // namespace platform
