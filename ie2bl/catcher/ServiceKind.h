#pragma once

namespace ie2bl {

// Service kinds told apart by an address's scheme prefix; the numbers are the stored ones.
enum class ServiceKind {
    Ftp = 1,
    Gopher = 2,
    Http = 3,
    Unrecognised = 4096,
    File = 4097,
    Mailto = 4098,
    Mid = 4099,
    Cid = 4100,
    News = 4101,
    Nntp = 4102,
    Prospero = 4103,
    Telnet = 4104,
    Wais = 4105,
    Afs = 4106,
};

} // namespace ie2bl
