// What the command-line host prints while tests run: progress, messages and result lines.
#pragma once

#include <QCoreApplication>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>

namespace corvo::hosts::cli {

class ConsoleReport {
    Q_DECLARE_TR_FUNCTIONS(ConsoleReport)
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // bar: redraw one progress bar line in place (a terminal); otherwise print plain lines.
    ConsoleReport(std::FILE* out, bool bar, Clock clock = [] { return std::chrono::steady_clock::now(); });

    void BeginTest(std::size_t position, std::size_t count, const std::string& title);
    // The bar never moves back: a module may report a lower value after a higher one.
    void Progress(uint8_t percent, const std::string& text);
    // about: the keyboard the message concerns, empty when none.
    void Message(const std::string& text, uint32_t kind, const std::string& about = {});
    void Note(const std::string& text);
    // Called about every 50 ms while a test runs, so that a long step shows it is alive: the bar
    // redraws when its elapsed time changes, plain output repeats its line after a silence.
    void Tick();
    void EndTest(const std::string& title, uint32_t result);
    // A line of its own between tests.
    void Line(const std::string& text);

    // "[#######-------------]  35%"
    static std::string Bar(uint8_t percent, std::size_t width);
    // "0:42", "12:05", "1:02:03"
    static std::string Elapsed(std::chrono::steady_clock::duration duration);

    // How long plain output stays silent while a test runs before it repeats its progress line.
    static constexpr std::chrono::seconds kPlainRepeat{30};

private:
    void ClearBar();
    void DrawBar();
    void PrintPlainProgress(const std::string& text);
    std::string ElapsedNow() const;

    std::FILE* m_out;
    bool m_bar;
    Clock m_clock;
    std::mutex m_mutex;
    bool m_running = false;
    bool m_barShown = false;
    std::string m_barText;
    uint8_t m_percent = 0;
    int m_lastPlainPercent = -1;
    std::chrono::steady_clock::time_point m_testStart{};
    std::chrono::steady_clock::time_point m_lastPlainLine{};
};

} // namespace corvo::hosts::cli
