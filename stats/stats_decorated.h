// The twelve exports under the names of the host's C++ compiler.
//
// These are the prototypes the host was built against: functions in the
// global namespace with C++ linkage. The library exports each of them at the
// same address as its plain counterpart in stats.h. On Windows the names come
// from stats.def (32-bit) and stats_x64.def; on Linux from stats_linux.ld.
// This header must not be included together with stats.h, since three of the
// names are the same with other linkage.

#ifndef STATS_STATS_DECORATED_H_
#define STATS_STATS_DECORATED_H_

class COleDateTime;

int AddData0(const char*, const char*, COleDateTime*, COleDateTime*,
             COleDateTime*, COleDateTime*, unsigned int, unsigned int,
             const char*, const char*, const char*, const char*, const char*,
             const char*, const char*, const char*, const char*, const char*,
             const char*, const char*, const char*, const char*, const char*,
             int, int, int, double, double, const char*, const char*,
             const char*, const char*, const char*);
int RemoveData0(const char*, const char*, COleDateTime*, COleDateTime*,
                COleDateTime*, COleDateTime*, unsigned int, unsigned int,
                const char*, const char*, const char*, const char*, const char*,
                const char*, const char*, const char*, const char*, const char*,
                const char*, const char*, const char*, const char*, const char*,
                int, int, int, double, double, const char*, const char*,
                const char*, const char*, const char*);
int CheckCallFunc0(const char*, unsigned int, unsigned int, const char*,
                   const char*, const char*, const char*, const char*,
                   const char*, const char*, const char*, const char*,
                   const char*, const char*, int, int, int, double, double,
                   const char*, const char*, const char*, const char*,
                   const char*, const char*, const char*, char*, char*);
int StatsIsValidExchg0(const char*, const char*, const char*, const char*, int,
                       int, int);
int StatsGetExchgCount0(const char*, const char*, const char*);
const char* GetSerialFormat0(const char*, const char*, const char*, const char*,
                             const char*, const char*, const char*, const char*,
                             const char*, const char*, int, int, int, double,
                             double, const char*, const char*, const char*);
const char* GetAllowedSerialFields0();
const char* GetResult0(int*);
int ResetStats0(const char*, int, const char*, COleDateTime*, COleDateTime*,
                const char*, const char*, const char*, const char*, const char*,
                const char*, const char*, const char*, const char*, const char*,
                int, int, int, double, double, const char*, const char*,
                const char*);
int GetNumberOfSets();
const char* GetSetName(int);
void SetupSet0();

#endif  // STATS_STATS_DECORATED_H_
