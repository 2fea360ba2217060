#include "GroupPrivilege.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#endif

namespace kelvora {

void giveUpGroupPrivilege()
{
#ifdef Q_OS_UNIX
    const gid_t own = ::getgid();
    if (::getegid() == own)
        return;
    // Kept, the group would let a plugin named in the environment read the secret.
    if (::setresgid(own, own, own) != 0 || ::getegid() != own) {
        std::fputs("cannot give up the program's group; ending\n", stderr);
        std::_Exit(2);
    }
#endif
}

} // namespace kelvora
