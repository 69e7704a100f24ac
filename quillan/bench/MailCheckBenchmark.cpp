// One mailbox check, connect to count, against a POP3 server of the benchmark's own on loopback:
// with STLS and with implicit TLS.
#include "../tests/controls/DovecotServer.h"
#include "controls/Pop3Mail.h"
#include "runtime/PollEventLoop.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace quillan;

namespace {

struct MailboxOfThree : test::DovecotServer {
    MailboxOfThree() { deliver(3); }
};

// Destroyed at exit, which stops the server with the benchmark.
test::DovecotServer& server() {
    static MailboxOfThree dovecot;
    return dovecot;
}

void check(benchmark::State& state, const std::string& address) {
    if (!server().ready()) {
        state.SkipWithError("the POP3 server did not start");
        return;
    }
    PollEventLoop loop;
    MailOptions options;
    options.caFile = server().caFile();
    Pop3Mail mail(loop, options);
    bool done = false;
    mail.Done = [&] { done = true; };
    mail.AsyncError = [&](const std::string& reason) {
        state.SkipWithError(reason.c_str());
        done = true;
    };
    mail.setServer(address);
    mail.setUserName("alice");
    mail.setPassword("secret");
    for (auto _ : state) {
        done = false;
        mail.setAction(MailControl::kActionCheck);
        loop.runUntil([&] { return done; }, 10000);
        benchmark::DoNotOptimize(mail.MessageCount());
    }
}

void BM_CheckWithStls(benchmark::State& state) {
    check(state, "localhost:" + std::to_string(server().plainPort()));
}
void BM_CheckWithImplicitTls(benchmark::State& state) {
    check(state, "pop3s://localhost:" + std::to_string(server().tlsPort()));
}

} // namespace

BENCHMARK(BM_CheckWithStls)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CheckWithImplicitTls)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
