#pragma once

#include "cli/jury/report/juryreport.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

// The jury's protocol for printing. Every page is numbered "стр. N из M" and names the program
// and the time the judging began; the protocol ends with lines for the jury's signatures.
// - The round's protocol: the statement, the task and the reference with their hashes, the
//   verdict table with the totals of every verdict, every file's hash, and for each file that
//   is not correct its failing tests and the picture of the first one.
// - With report.isPupilProtocol, each file's own protocol: its verdict, hash and statistics,
//   every test, the algorithm's text with numbered lines (the line where a test stopped is
//   marked), and a picture of every failing test.
// `pictures` holds a list per file: the PNG pictures of its failing tests in order (the
// round's protocol shows the first); kept compressed, so that a thousand files' pictures take
// little memory. Files with the same bytes are marked in both. Needs a GUI
// application for its fonts. The protocol is written into `device` as it is laid out (the
// layout is made twice, the first time to count the pages); false when the document could
// not be made.
bool writeJuryPdf(const JuryReport &report, const QList<QList<QByteArray>> &pictures, QIODevice &device);
