/* Prints a known line, so that a 32-bit run under Wine can be told from a silent failure. */
#include <stdio.h>

int main(void)
{
    puts("krelmot 32-bit probe");
    return 0;
}
