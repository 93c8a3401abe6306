// The league's money level.
#pragma once

// nearest(x x inflation factor / 1000), the factor in per mille (universe stat 9).
int Apply_Inflation(int nAmount);
