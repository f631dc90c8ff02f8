#pragma once

// The few libm functions of the geometry whose results IEEE 754 does not fix
// to the bit, computed by one implementation on every platform: the native
// programs and the WebAssembly build (whose C library is musl) must print
// the same 17 digits for every answer, and glibc's sin, cos, atan2 and hypot
// differ from musl's in the last bit for a few percent of inputs. These are
// musl's algorithms, operation for operation (its MIT notice heads each
// ported file), built without fused multiply-adds (-ffp-contract=off).

namespace draftcalc::geometry::portable {

double Sin(double x);
double Cos(double x);
double Atan(double x);
double Atan2(double y, double x);
double Hypot(double x, double y);

}  // namespace draftcalc::geometry::portable
