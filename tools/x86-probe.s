# A 32-bit x86 program that tells how it was run: exit code 0 when the kernel
# ran it natively (a 32-bit process on a 64-bit kernel sees the machine
# "x86_64"), 3 when an emulator ran it (which reports a 32-bit machine).
        .text
        .globl _start
_start:
        movl $122, %eax                 # newuname(&name)
        movl $name, %ebx
        int $0x80
        movl $3, %ebx
        cmpl $0x5f363878, name+4*65     # the machine field begins "x86_"
        jne 1f
        xorl %ebx, %ebx
1:      movl $1, %eax                   # exit(ebx)
        int $0x80

        .bss
name:   .space 6*65                     # struct new_utsname
