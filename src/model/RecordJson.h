#pragma once

#include "Records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// The stored JSON form of the records: compact arrays of objects, dates as
// seconds since 2001-01-01 00:00:00 UTC, UUIDs upper case. Decoding is strict:
// one bad object fails the whole array; the record-by-record reading keeps the
// others.
namespace tavlen::json {

// Seconds since 2001-01-01 00:00:00 UTC (negative before), kept to the millisecond.
double sekunderSiden2001(const QDateTime& moment);
QDateTime fraSekunderSiden2001(double seconds); // invalid when out of range

// nullopt when a record cannot be encoded (an invalid date).
std::optional<QByteArray> encode(const QList<Fag>& fag);
std::optional<QByteArray> encode(const QList<Lektie>& lektier);

std::optional<QList<Fag>> decodeFag(QByteArrayView json);
std::optional<QList<Lektie>> decodeLektier(QByteArrayView json);
std::optional<QList<OldLektie>> decodeOldLektier(QByteArrayView json);

// The records that can be read, each on its own, and how many could not: a record
// with a missing or wrong field, or a stretch of damaged text (bytes that are no
// UTF-8 are read as U+FFFD).
template <typename Record> struct Partial {
    QList<Record> list;
    int unreadable = 0;
};
Partial<Fag> decodeFagRecordByRecord(QByteArrayView json);
Partial<Lektie> decodeLektierRecordByRecord(QByteArrayView json);

} // namespace tavlen::json
