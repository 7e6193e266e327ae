#pragma once
/* The exported functions of the Korvat library, as a workbook's macros declare
 * them. Exported by plain name; the 32-bit Windows build uses the standard call
 * convention. Object arguments arrive as the address of the caller's variable
 * that holds the object's IDispatch reference. Integer results that say whether
 * the sheet changed are as wide as a pointer. */

#include <stdint.h>

/* The exports see host objects only as IDispatch references. */
#if defined(_WIN32)
struct IDispatch;
#else
class IDispatch;
#endif

#if defined(_WIN32)
#define KV_CALL __stdcall
#define KV_API
#else
#define KV_CALL
#define KV_API __attribute__((visibility("default")))
#endif

extern "C" {

/* Lifecycle */
KV_API int32_t KV_CALL kvInit(void);
KV_API void KV_CALL kvQuit(void);
KV_API int32_t KV_CALL kvSetWorkBook(IDispatch** workbook);

/* The plan */
KV_API void KV_CALL kvUpdateWBS(void);
KV_API void KV_CALL kvWBSFilter(void);

/* Editing the task rows: each returns 1 when the sheet was changed, else 0.
 * They act on the selection of the WBS sheet. */
KV_API intptr_t KV_CALL kvTasksMoveUp(void);
KV_API intptr_t KV_CALL kvTasksMoveDown(void);
KV_API intptr_t KV_CALL kvTasksMoveRight(void);
KV_API intptr_t KV_CALL kvTasksMoveLeft(void);
KV_API intptr_t KV_CALL kvTasksOffset(int32_t a, int32_t b);

/* The WBS sheet's events, forwarded by the workbook's macros. */
KV_API void KV_CALL kvWBSEventOnChange(IDispatch** range);
KV_API void KV_CALL kvWBSEventOnSelectionChange(IDispatch** range);

/* The Gantt chart */
KV_API void KV_CALL kvDrawCalendar(int32_t unit);
KV_API void KV_CALL kvDrawGanntChart(int32_t barStyle);
KV_API void KV_CALL kvWBSReschedule(void);
KV_API void KV_CALL kvDrawProgressLines(void);

/* The reports */
KV_API intptr_t KV_CALL kvEVMByTask(void);
KV_API void KV_CALL kvEVMByProject(int32_t kind, int32_t step);
KV_API void KV_CALL kvWorkload(int32_t kind, int32_t step);

}
