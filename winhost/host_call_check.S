/* Calls a module routine the way the host does and measures what it left on the stack.
 *
 *   int xaqCallAsHost(void* routine, const uint32_t* args, int count,
 *                     uint32_t* result, double* floatResult)
 *
 * Pushes `count` 32-bit words right to left, calls, stores eax in *result (when given) and, for
 * routines returning a double, pops st(0) into *floatResult (when given). Returns the number of
 * bytes the routine left behind: 0 for stdcall (the callee pops its arguments), 4 x count for
 * cdecl. The stack is put right before returning either way.
 */
        .text
        .globl  _xaqCallAsHost
        .def    _xaqCallAsHost; .scl 2; .type 32; .endef
_xaqCallAsHost:
        pushl   %ebp
        movl    %esp, %ebp
        pushl   %ebx
        pushl   %esi
        pushl   %edi
        movl    12(%ebp), %esi
        movl    16(%ebp), %ecx
        movl    %esp, %ebx
1:      testl   %ecx, %ecx
        jz      2f
        decl    %ecx
        pushl   (%esi,%ecx,4)
        jmp     1b
2:      call    *8(%ebp)
        movl    20(%ebp), %ecx
        testl   %ecx, %ecx
        jz      3f
        movl    %eax, (%ecx)
3:      movl    24(%ebp), %ecx
        testl   %ecx, %ecx
        jz      4f
        fstpl   (%ecx)
4:      movl    %ebx, %eax
        subl    %esp, %eax
        movl    %ebx, %esp
        popl    %edi
        popl    %esi
        popl    %ebx
        popl    %ebp
        ret
