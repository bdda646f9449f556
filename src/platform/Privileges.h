#pragma once

namespace platform {

// Gives up every privilege the panel no longer needs once it has its ports, before any
// window or file is touched. Started as root through sudo, it becomes the invoking user
// again (SUDO_UID, SUDO_GID, no supplementary groups); in every case it drops all its
// capabilities, such as the cap_sys_rawio a file capability gave it. The port access
// already granted stays. Ends the process if a switch of user fails half-way.
void dropPrivileges();

} // namespace platform
