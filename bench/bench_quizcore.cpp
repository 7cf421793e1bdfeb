// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast the quiz core makes questions, judges answers and reads numbers.
#include "quiz/answercheck.h"
#include "quiz/numbertext.h"
#include "quiz/questiongenerator.h"

#include <QLocale>
#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

constexpr double largest = 99999;

// One question with only the given operation ticked: the pick and the draw,
// with the largest number the options allow.
void BM_MakeQuestion(benchmark::State &state)
{
    const auto op = static_cast<Operation>(state.range(0));
    std::array<bool, operationCount> enabled{};
    enabled[indexOf(op)] = true;
    DefaultRandomSource random(1);
    for (auto _ : state) {
        const std::optional<Operation> picked = PickOperation(enabled, random);
        benchmark::DoNotOptimize(drawQuestion(*picked, largest, false, random));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(operationName(op).toStdString());
}
BENCHMARK(BM_MakeQuestion)->DenseRange(0, operationCount - 1);

// All four ticked; the argument allows negative subtractions.
void BM_MakeQuestionAnyOperation(benchmark::State &state)
{
    const std::array<bool, operationCount> enabled{true, true, true, true};
    DefaultRandomSource random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            drawQuestion(*PickOperation(enabled, random), largest, state.range(0) != 0, random));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakeQuestionAnyOperation)->Arg(0)->Arg(1);

// The check and the verdict of one typed answer, as a press of "Check Answer" runs them.
void BM_JudgeAnswer(benchmark::State &state)
{
    const bool division = state.range(0) != 0;
    const QLocale locale(QLocale::English);
    const QStringList answers = {QStringLiteral("12"), QStringLiteral(" 9999800001"),
                                 QStringLiteral("-4"), QStringLiteral("3.0")};
    const QString remainder = QStringLiteral("2");
    const Operation op = division ? Operation::Division : Operation::Multiplication;
    qsizetype i = 0;
    for (auto _ : state) {
        const QString &answer = answers.at(i++ % answers.size());
        const AnswerProblem problem = findAnswerProblem(answer, remainder, division, locale);
        benchmark::DoNotOptimize(problem);
        benchmark::DoNotOptimize(isRightAnswer(op, 12, 2, answer, remainder));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(division ? "division" : "other");
}
BENCHMARK(BM_JudgeAnswer)->Arg(0)->Arg(1);

const QStringList &TypicalTexts()
{
    static const QStringList texts = {QStringLiteral("7"),          QStringLiteral("42"),
                                      QStringLiteral("99999"),      QStringLiteral(" 12 "),
                                      QStringLiteral("9999800001"), QStringLiteral("-17"),
                                      QStringLiteral("2.5"),        QStringLiteral("abc")};
    return texts;
}

void BM_LeadingNumber(benchmark::State &state)
{
    const QStringList &texts = TypicalTexts();
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(LeadingNumber(texts.at(i++ % texts.size())));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LeadingNumber);

void BM_IsNumber(benchmark::State &state)
{
    const QStringList &texts = TypicalTexts();
    const QLocale locale(QLocale::English);
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(IsNumber(texts.at(i++ % texts.size()), locale));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IsNumber);

// A hostile text: a long run of digits typed or pasted into a box.
void BM_LeadingNumberLongText(benchmark::State &state)
{
    const QString text(static_cast<qsizetype>(state.range(0)), QLatin1Char('9'));
    for (auto _ : state)
        benchmark::DoNotOptimize(LeadingNumber(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LeadingNumberLongText)->Arg(1000)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
