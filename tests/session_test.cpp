#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/session.h"

// Long random sessions at the window: after every action of the person every
// rule of the window holds (support/window_rules.h). The seeds below run in
// every test run; KV_SESSION_SEED replays one session and KV_SESSION_ACTIONS
// sets how many actions each session performs (a nightly run uses 1000000).
namespace kv::test {
namespace {

constexpr std::uint64_t kSeeds[] = {2841, 1, 2, 3};
constexpr long kActions = 5000;

std::optional<std::uint64_t> number_from_environment(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const std::string_view view(text);
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (error != std::errc{} || end != view.data() + view.size()) {
        ADD_FAILURE() << name << " is not a number: " << text;
        return std::nullopt;
    }
    return value;
}

std::string failure_report(std::uint64_t seed, long action, const Session& session,
                           const std::vector<std::string>& broken) {
    std::ostringstream out;
    out << "Session seed " << seed << " broke the rules at action " << action
        << ".\nReplay: KV_SESSION_SEED=" << seed << " KV_SESSION_ACTIONS=" << action
        << " tests/session_test\nLast actions:\n";
    for (const std::string& what : session.recent_actions()) {
        out << "  " << what << '\n';
    }
    out << "Broken rules:\n";
    for (const std::string& rule : broken) {
        out << "  " << rule << '\n';
    }
    return out.str();
}

void add(SessionFigures& total, const SessionFigures& figures) {
    total.actions += figures.actions;
    total.refused += figures.refused;
    total.hand_edits += figures.hand_edits;
    total.resets += figures.resets;
    total.restarts += figures.restarts;
    total.boards_won += figures.boards_won;
    total.reruns += figures.reruns;
    total.saves += figures.saves;
    total.files_written += figures.files_written;
    total.faults_injected += figures.faults_injected;
    total.bytes_lost += figures.bytes_lost;
}

void print(const SessionFigures& f) {
    std::cout << "actions run " << f.actions << " (refused by the window " << f.refused
              << "), register boxes edited by hand " << f.hand_edits << ", resets " << f.resets
              << ", fresh starts " << f.restarts << ", boards won " << f.boards_won
              << ", producer re-runs " << f.reruns << ", saves " << f.saves << " (files written "
              << f.files_written << ", faults injected " << f.faults_injected << "), bytes lost "
              << f.bytes_lost << std::endl;
}

TEST(Session, EveryRuleHoldsAfterEveryAction) {
    std::vector<std::uint64_t> seeds(std::begin(kSeeds), std::end(kSeeds));
    if (const auto seed = number_from_environment("KV_SESSION_SEED")) {
        seeds = {*seed};
    }
    const auto actions =
        static_cast<long>(number_from_environment("KV_SESSION_ACTIONS").value_or(kActions));
    SessionFigures total;
    for (const std::uint64_t seed : seeds) {
        std::cout << "session seed " << seed << ", " << actions << " actions" << std::endl;
        Session session(seed);
        for (long action = 1; action <= actions; ++action) {
            const std::vector<std::string> broken = session.step();
            if (!broken.empty()) {
                FAIL() << failure_report(seed, action, session, broken);
            }
        }
        add(total, session.figures());
    }
    print(total);
    EXPECT_EQ(total.bytes_lost, 0);
}

}  // namespace
}  // namespace kv::test
