#pragma once
// For as long as it lives, the calling thread reads files only as their
// rights allow, even as root: the capabilities that override file rights are
// taken out of its effective set (and put back after).
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class NoFileOverride {
public:
    NoFileOverride() {
        m_ok = syscall(SYS_capget, &m_header, m_saved) == 0;
        if (!m_ok) return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_ok = syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~NoFileOverride() {
        if (m_ok) syscall(SYS_capset, &m_header, m_saved);
    }
    NoFileOverride(const NoFileOverride&) = delete;
    NoFileOverride& operator=(const NoFileOverride&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_ok = false;
};
