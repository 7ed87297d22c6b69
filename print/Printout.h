#pragma once

// The two printouts of the current test; each shows the print dialog first.
void PrintTest();
void PrintKey();
