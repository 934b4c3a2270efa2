// The plug-in interface of the ZELMAR TEST statistics library.
//
// The logging host loads the library and calls these twelve functions, one
// call at a time, on its own thread. Every function uses the C calling
// convention and takes its parameters by position; most of them are the
// host's and are not read. Each function is exported twice: under the plain
// name declared here and under the C++ name of the host's compiler (see
// stats_decorated.h), both leading to the same code.
//
// Ownership: the host owns every parameter; the library owns every text it
// returns, valid until the same function is called again or the library is
// unloaded. A null text reads as "", a null writable pointer is not written.

#ifndef STATS_STATS_H_
#define STATS_STATS_H_

#include <cstddef>
#include <cstdint>

// The host's date-time record: days since 30 December 1899 (the fraction is
// the time of day) and a status. Declared as a class because the host's
// decorated export names encode it as one.
class alignas(8) COleDateTime {
 public:
  enum Status : int32_t { kValid = 0, kInvalid = 1, kNull = 2 };
  double m_dt;
  int32_t m_status;
};
static_assert(sizeof(COleDateTime) == 16, "the host passes a 16-byte record");
static_assert(offsetof(COleDateTime, m_dt) == 0, "value at offset 0");
static_assert(offsetof(COleDateTime, m_status) == 8, "status at offset 8");

#if defined(_WIN32)
// stats.def names the exports and their ordinals.
#define STATS_API extern "C"
#else
#define STATS_API extern "C" __attribute__((visibility("default")))
#endif

typedef const char* Text;

// Adds one logged QSO. Returns 1 when it is accepted (stored now, or an equal
// record is already stored), 0 when it is rejected and written to the
// problem report.
STATS_API int AddData0(Text own_call, Text worked_call, COleDateTime* qso_time,
                       COleDateTime* p4, COleDateTime* p5, COleDateTime* p6,
                       unsigned p7, unsigned frequency_hz, Text mode,
                       Text rst_sent, Text rst_received, Text exchange_sent,
                       Text exchange_received, Text b1, Text b2, Text b3,
                       Text b4, Text b5, Text b6, Text b7, Text b8, Text b9,
                       Text block_text10, int b11, int b12, int b13, double b14,
                       double b15, Text b16, Text block_text17, Text b18,
                       Text band, Text p33);

// Removes the earliest stored QSO with the same call sign, mode and band.
// Returns 0 when the exchanges are missing or the code is no KDA code, else 1.
STATS_API int RemoveData0(Text own_call, Text worked_call,
                          COleDateTime* qso_time, COleDateTime* p4,
                          COleDateTime* p5, COleDateTime* p6, unsigned p7,
                          unsigned frequency_hz, Text mode, Text rst_sent,
                          Text rst_received, Text exchange_sent,
                          Text exchange_received, Text b1, Text b2, Text b3,
                          Text b4, Text b5, Text b6, Text b7, Text b8, Text b9,
                          Text block_text10, int b11, int b12, int b13,
                          double b14, double b15, Text b16, Text block_text17,
                          Text b18, Text band, Text p33);

// The tour rule. Returns 0 and writes the operator's message into `message`
// (at most 128 bytes with its terminator) when the call was worked on this
// band and mode in the current UTC hour; otherwise returns 1 and writes
// nothing. `p27` is never touched.
STATS_API int CheckCall0(Text call, unsigned p2, unsigned p3, Text mode,
                         Text b1, Text b2, Text b3, Text b4, Text b5, Text b6,
                         Text b7, Text b8, Text b9, Text b10, int b11, int b12,
                         int b13, double b14, double b15, Text b16, Text b17,
                         Text b18, Text p23, Text p24, Text band, Text p26,
                         char* p27, char* message);

// Returns 1 when `exchange` is exactly one of the 205 KDA codes, else 0.
STATS_API int IsValidExchg0(Text exchange, Text p2, Text p3, Text p4, int p5,
                            int p6, int p7);

// Returns 1, the number of exchange fields.
STATS_API int GetExchgCount0(Text p1, Text p2, Text p3);

// Returns the exchange descriptor "D".
STATS_API const char* GetSerialFormat0(Text b1, Text b2, Text b3, Text b4,
                                       Text b5, Text b6, Text b7, Text b8,
                                       Text b9, Text b10, int b11, int b12,
                                       int b13, double b14, double b15,
                                       Text b16, Text b17, Text b18);

// Returns the exchange descriptor "D".
STATS_API const char* GetAllowedSerialFields0();

// Returns the score summary and writes the score into `score` (-1 when the
// Cabrillo log was written in the same call).
STATS_API const char* GetResult0(int* score);

// Begins a contest run. Returns 1.
STATS_API int ResetStats0(Text p1, int contest_log_flag, Text station_call,
                          COleDateTime* p4, COleDateTime* p5, Text b1, Text b2,
                          Text b3, Text b4, Text b5, Text b6, Text b7, Text b8,
                          Text b9, Text b10, int b11, int b12, int b13,
                          double b14, double b15, Text b16, Text b17, Text b18);

// Returns 1: the library offers one rule set, number 0.
STATS_API int GetNumberOfSets();

// Returns "ZELMAR TEST" for set 0 and "" for any other number.
STATS_API const char* GetSetName(int set);

// Shows "No additional setup for this contest" and returns when it is closed.
STATS_API void SetupSet0();

#endif  // STATS_STATS_H_
