"""Integrated loudness of a mono track (ITU-R BS.1770-4, as EBU R128 uses it).

K-weighting (a high shelf for the head, then a high-pass) is designed for
the track's own sample rate from the standard's 48 kHz filters, the same way
libebur128 does; then mean square over 400 ms blocks every 100 ms, an
absolute gate at -70 LUFS and a relative gate 10 LU below the ungated mean.

Our sound effects can be shorter than one 400 ms block. Such a track is
measured as heard in one block: followed by silence up to 400 ms.
"""
import math

BLOCK, STEP = 0.4, 0.1


def _k_weighting(rate):
    """The two biquads' (b, a) coefficients for this sample rate."""
    f0, gain, q = 1681.974450955533, 3.999843853973347, 0.7071752369554196
    k = math.tan(math.pi * f0 / rate)
    vh = 10 ** (gain / 20)
    vb = vh ** 0.4996667741545416
    a0 = 1 + k / q + k * k
    shelf = ((vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
             2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0)
    f0, q = 38.13547087602444, 0.5003270373238773
    k = math.tan(math.pi * f0 / rate)
    a0 = 1 + k / q + k * k
    high_pass = (1.0, -2.0, 1.0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0)
    return shelf, high_pass


def _biquad(x, c):
    b0, b1, b2, a1, a2 = c
    x1 = x2 = y1 = y2 = 0.0
    out = []
    for v in x:
        y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, y
        out.append(y)
    return out


def integrated(samples, rate):
    """Integrated loudness in LUFS of samples in -1..1 (mono); -inf if silent."""
    shelf, high_pass = _k_weighting(rate)
    n_block, n_step = int(round(BLOCK * rate)), int(round(STEP * rate))
    x = list(samples) + [0.0] * max(0, n_block - len(samples))
    y = _biquad(_biquad(x, shelf), high_pass)
    sq = [v * v for v in y]
    powers = [sum(sq[s:s + n_block]) / n_block for s in range(0, len(sq) - n_block + 1, n_step)]

    def lufs(p):
        return -0.691 + 10 * math.log10(p) if p > 0 else -math.inf

    gated = [p for p in powers if lufs(p) > -70]
    if not gated:
        return -math.inf
    relative = lufs(sum(gated) / len(gated)) - 10
    gated = [p for p in gated if lufs(p) > relative]
    return lufs(sum(gated) / len(gated))
